# Warning and sanitizer flags shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
                    -Wformat=2 -Wimplicit-fallthrough)
if(ZEL_WERROR)
    add_compile_options(-Werror)
endif()

if(ZEL_SANITIZE)
    set(ZEL_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                            -fno-omit-frame-pointer)
    add_compile_options(${ZEL_SANITIZER_FLAGS})
    add_link_options(${ZEL_SANITIZER_FLAGS})
endif()

# zel_layer(NAME DIR DEPS...): a static library made of every source in DIR.
# A folder without sources yet is an interface target, so the layering holds from the start.
function(zel_layer name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${ARGN})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

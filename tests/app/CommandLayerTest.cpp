#include "LCommandLineLayer.h"
#include "LScriptedHost.h"
#include "LUserSettings.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the scope and puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* variable, const char* value) : name(variable) {
        if (const char* old = std::getenv(name)) {
            saved = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (saved) {
            setenv(name, saved->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name;
    std::optional<std::string> saved;
};

class CommandLayer : public ::testing::Test {
protected:
    CommandLayer() : scope(host) {
        fs::create_directories(root + "/Docs");
        std::ofstream(root + "/Docs/a.txt") << "alpha";
    }

    std::string Run(std::vector<std::string> words) {
        std::vector<const char*> pointers;
        for (const std::string& word : words) {
            pointers.push_back(word.c_str());
        }
        char result[kAPIResultSize] = "";
        layer.HandleAPICommand(static_cast<int>(pointers.size()), pointers.data(), result);
        return result;
    }

    TestFolder folder;
    std::string root = folder.Path();
    ScopedVariable config{"XDG_CONFIG_HOME", (folder.Path() + "/config").c_str()};
    ScopedVariable password{"ZEL_PASSWORD", nullptr};
    LScriptedHost host;
    LUIHostScope scope;
    LCommandLineLayer layer;
};

}  // namespace

TEST_F(CommandLayer, SaveChooserNamesTheContainerAndIsRemembered) {
    LUserSettingSet("Crypto", "LastFolder", root);
    host.Choose({root + "/chosen.zel"});
    EXPECT_EQ(Run({"-encrypt", root + "/Docs", "-password", "pw"}),
              "Encryption finished successfully.");
    ASSERT_EQ(host.Choosers().size(), 1u);
    EXPECT_EQ(host.Choosers()[0].prompt, "Please specify where to save encrypted file");
    EXPECT_TRUE(fs::exists(root + "/chosen.zel"));
    std::string remembered;
    LUserSettingGet("Crypto", "LastFolder", "", remembered);
    EXPECT_EQ(remembered, root);
}

TEST_F(CommandLayer, CancelledQuestionsWriteNoText) {
    host.CancelChooser();
    EXPECT_EQ(Run({"-encrypt", root + "/Docs", "-password", "pw"}), "");
    EXPECT_TRUE(layer.Outcome().cancelled);

    // The password dialog, dismissed with Escape.
    host.PressEscape();
    EXPECT_EQ(Run({"-encrypt", root + "/Docs", "-destination", root + "/box"}), "");
    EXPECT_TRUE(layer.Outcome().cancelled);
    EXPECT_FALSE(fs::exists(root + "/box.zel"));
    EXPECT_TRUE(host.Faults().empty());
}

TEST_F(CommandLayer, OutputLocationSettingPlacesTheContainer) {
    fs::create_directories(root + "/fixed");
    LUserSettingSet<int>("Crypto", "OutputLocationType", 2);
    LUserSettingSet("Crypto", "OutputLocation", root + "/fixed");
    EXPECT_EQ(Run({"-encrypt", root + "/Docs/a.txt", "-password", "pw"}),
              "Encryption finished successfully.");
    EXPECT_TRUE(fs::exists(root + "/fixed/a.zel"));
    // And a quiet decryption without -destination goes there too.
    fs::remove(root + "/Docs/a.txt");
    EXPECT_EQ(Run({"-decrypt", root + "/fixed/a.zel", "-quiet", "-password", "pw"}),
              "Decryption finished successfully.");
    EXPECT_TRUE(fs::exists(root + "/fixed/a.txt"));
}

TEST_F(CommandLayer, EncryptWithoutItemsIsAUsageError) {
    EXPECT_EQ(Run({"-encrypt", "-password", "pw"}), "Error. Please specify files to encrypt.");
}

TEST_F(CommandLayer, DecryptFlowShowsItsMessages) {
    ScopedVariable given{"ZEL_PASSWORD", "pw"};
    LUserSettingSet<int>("Crypto", "OutputLocationType", 1);
    EXPECT_EQ(Run({"-encrypt", root + "/Docs", "-destination", root + "/box"}),
              "Encryption finished successfully.");
    std::ofstream(root + "/box.txt") << "x";
    EXPECT_EQ(Run({"-decrypt", root + "/box.txt"}), "Not a valid ZEL or CRY file");
    {
        ScopedVariable wrong{"ZEL_PASSWORD", "wrong"};
        EXPECT_EQ(Run({"-decrypt", root + "/box.zel"}), "Invalid Password");
    }
    fs::remove_all(root + "/Docs");
    EXPECT_EQ(Run({"-decrypt", root + "/box.zel"}), "All files decrypted successfully.");
    EXPECT_TRUE(fs::exists(root + "/Docs/a.txt"));
    std::vector<std::string> boxes;
    for (const LMessageBoxRequest& box : host.MessageBoxes()) {
        boxes.push_back(box.caption + " | " + box.message);
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "ZEL Encryption Software | Not a valid ZEL or CRY file",
                         "ZEL Encryption Software | Invalid Password",
                         "Decryption Successful | All files decrypted successfully.",
                     }));
    std::string lastInput;
    LUserSettingGet("Settings", "LastInputFolder", "", lastInput);
    EXPECT_EQ(lastInput, root);
}

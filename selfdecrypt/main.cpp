// The program inside every self-decrypting bundle (NAME.app/AppRun): it
// restores the container that travels in Contents/Resources/target.zel of its
// own bundle, asking for the password on the terminal, into the folder that
// holds the bundle or the folder given as its argument.

#include "LDecryptProcess.h"
#include "LPath.h"
#include "LProcessInterfaceTerminal.h"
#include "LSelfDecryptRelaunch.h"
#include "LStandardFolders.h"
#include "LTerminalHost.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int Decrypt(const std::string& bundle, const std::string& destination) {
    LCryptData data;
    data.containerPath = LPathAppend(bundle, "Contents/Resources/target.zel");
    data.destination = destination;
    LProcessInterfaceTerminal process;
    LDecryptProcess run{&data};
    switch (Process(process, run)) {
        case LProcessResultSuccess:
            for (const std::string& line : data.leftOut) {
                std::fprintf(stderr, "%s\n", line.c_str());
            }
            std::printf("All files decrypted successfully.\n");
            return data.leftOut.empty() ? 0 : 3;
        case LProcessResultStopped:
            std::printf("Decryption is stopped by user.\n");
            return 130;
        default:
            std::printf("Decryption aborted due to errors.\n");
            if (!data.errorText.empty()) {
                std::fprintf(stderr, "%s\n", data.errorText.c_str());
            }
            return 1;
    }
}

// A window opened for us closes when we end: leave the result readable until
// Enter.
void WaitForEnter() {
    std::FILE* terminal = std::fopen("/dev/tty", "r+");
    if (terminal != nullptr) {
        std::fputs("Press Enter to close.", terminal);
        std::fflush(terminal);
        std::fgetc(terminal);
        std::fclose(terminal);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string program = LGetBundleExeFile();
    std::string bundle = LPathGetFolder(program);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string destination =
        arguments.empty()
            ? LPathGetFolder(bundle)
            : std::filesystem::absolute(arguments.front()).lexically_normal().string();
    int status = 0;
    {
        LTerminalHost host;
        if (!host.HasTerminal() && !LSelfDecryptInOwnWindow()) {
            if (LSelfDecryptRelaunch(program, arguments)) {
                return 0;
            }
            std::fprintf(stderr, "There is no terminal to ask for the password on.\n");
            return 1;
        }
        LUIHostScope scope(host);
        status = Decrypt(bundle, destination);
    }
    std::fflush(stdout);
    if (LSelfDecryptInOwnWindow()) {
        WaitForEnter();
    }
    return status;
}

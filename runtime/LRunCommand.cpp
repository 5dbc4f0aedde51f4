#include "LRunCommand.h"

namespace {

int RunAndWait(const LChildSpec& spec) {
    LChild child;
    if (!LChildStart(spec, child)) {
        return -1;
    }
    int exitCode = -1;
    LChildWait(child.pid, exitCode);
    return exitCode;
}

}  // namespace

bool LRunCommand(const char* command) {
    return RunAndWait(LChildSpec{LShellArgv(command), {}}) == 0;
}

int LRunCommandArgvExitCode(const std::vector<std::string>& argv, const std::string& workingFolder,
                            bool discardOutput) {
    LChildSpec spec{argv, workingFolder};
    if (discardOutput) {
        spec.output = LChildStream::Null;
    }
    return RunAndWait(spec);
}

bool LRunCommandArgv(const std::vector<std::string>& argv, const std::string& workingFolder,
                     bool discardOutput) {
    return LRunCommandArgvExitCode(argv, workingFolder, discardOutput) == 0;
}

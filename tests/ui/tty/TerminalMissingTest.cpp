#include "LDecryptPasswordDialog.h"
#include "LFileChooser.h"
#include "LFileExistsQuestion.h"
#include "LMessageBox.h"
#include "LProcessRunAsDialog.h"
#include "LTerminalHost.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct ReportingRun {};

LProcessResult Process(LProcessInterface& process, ReportingRun&) {
    process.SetStatus("Decrypting...", 0);
    process.SetProgress(0.5);
    return process.IsToStop() ? LProcessResultStopped : LProcessResultSuccess;
}

// What one child with no controlling terminal (a new session, output to pipes) was told.
struct Seen {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(n));
    }
    return text;
}

Seen WithoutTerminal(int (*body)()) {
    int out[2];
    int err[2];
    Seen seen;
    if (pipe(out) != 0 || pipe(err) != 0) {
        return seen;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        setsid();
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        _exit(body());
    }
    close(out[1]);
    close(err[1]);
    seen.out = ReadAll(out[0]);
    seen.err = ReadAll(err[0]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    seen.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return seen;
}

int AskEverything() {
    LTerminalHost host;
    LUIHostScope scope(host);
    std::string out = "terminal=" + std::to_string(host.HasTerminal());
    bool tick = false;
    out += " exists=" +
           std::to_string(LAskFileExists(nullptr, "a.txt", LFileExistsWording::DecryptRun, tick));
    LDecryptPasswordDialog password;
    out += " password=" + std::to_string(password.DoModal(nullptr));
    std::string folder = "/tmp";
    out += " folder=" + std::to_string(LFolderChoose(nullptr, folder, "Choose a folder"));
    LMessageBoxError(nullptr, "Not a valid ZEL or CRY file");
    bool dontShow = true;
    LMessageBoxDontShowAgain(nullptr, "Encrypt process finished successfully", kLMessageBoxCaption,
                             "Do not show again.", dontShow, "OK");
    out += " tick=" + std::to_string(dontShow);
    ReportingRun run;
    out += " run=" + std::to_string(ProcessRunAsDialog(nullptr, "Decrypting files", run));
    const std::string line = out + "\n";
    [[maybe_unused]] ssize_t written = write(STDOUT_FILENO, line.data(), line.size());
    return 0;
}

}  // namespace

TEST(TerminalMissing, EveryQuestionIsCancelledAndStderrSaysWhatWasNeeded) {
    const Seen seen = WithoutTerminal(AskEverything);
    EXPECT_EQ(seen.status, 0);
    EXPECT_EQ(seen.out, "terminal=0 exists=2 password=0 folder=0 tick=1 run=0\n");
    EXPECT_THAT(seen.err, HasSubstr("File Exists: File \"a.txt\" already exists. Click "
                                    "'Overwrite' to overwrite it.\" needs an answer, and there "
                                    "is no terminal to ask on; cancelled."));
    EXPECT_THAT(seen.err, HasSubstr("\"Enter Password\" needs a password, and there is no "
                                    "terminal to ask for it (give it with -password)"));
    EXPECT_THAT(seen.err, HasSubstr("\"Choose a folder\" needs a path"));
    // Plain messages still reach stderr; a progress line does not, stderr being no terminal.
    EXPECT_THAT(seen.err, HasSubstr("zel: Not a valid ZEL or CRY file\n"));
    // A one-button box with a tick only informs: its message, and the tick left as it was.
    EXPECT_THAT(seen.err, HasSubstr("zel: Encrypt process finished successfully\n"));
    EXPECT_THAT(seen.err, Not(HasSubstr("Decrypting...")));
    EXPECT_THAT(seen.err, Not(HasSubstr("%")));
}

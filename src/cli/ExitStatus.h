#pragma once

// The exit status of orva-cli, one per cause a script may want to tell apart.
enum ExitStatus {
    ExitOk = 0,
    ExitUsage = 2,
    ExitNoTester = 3,
    ExitPortUnusable = 4,
    ExitAccessRefused = 5,
    ExitVerifyMismatch = 6,
    ExitBadInput = 7,
    ExitTesterFault = 8,
    ExitHistory = 9,
    ExitOutputFailed = 10,
    ExitRecordUnfinished = 11, // the tester was written; its record could not be finished
};

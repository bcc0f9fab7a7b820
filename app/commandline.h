#pragma once

class QCoreApplication;

// Answers --help and --version the way Qt programs do, on standard output
// (in a message box on Windows), and ends the process. The program has no
// options of its own: Qt has already taken its options from the command
// line, and anything else is ignored without a message.
void answerHelpAndVersion(QCoreApplication &application);

#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

void answerHelpAndVersion(QCoreApplication &application)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVALEN_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "Great-circle distance between two points."));
    parser.addHelpOption();
    parser.addVersionOption();
    // An unknown option would make process() print an error and exit; only a
    // command line that holds nothing unknown is handed to it.
    if (parser.parse(application.arguments()))
        parser.process(application);
}

// cds-host: the reference host application. Options: --db, --profile, --plugins, --language.
#include "host/HostApplication.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cds-host"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference host for chromatography plug-ins."));
    parser.addHelpOption();
    const QCommandLineOption database(QStringLiteral("db"), QStringLiteral("Assay database file."),
                                      QStringLiteral("file"));
    const QCommandLineOption profile(QStringLiteral("profile"), QStringLiteral("Profile file."),
                                     QStringLiteral("file"));
    const QCommandLineOption plugins(QStringLiteral("plugins"),
                                     QStringLiteral("Plug-in folder (default: the executable's folder)."),
                                     QStringLiteral("folder"), QCoreApplication::applicationDirPath());
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Windows language identifier (default 1049)."),
                                      QStringLiteral("id"), QStringLiteral("1049"));
    parser.addOptions({database, profile, plugins, language});
    parser.process(app);

    HostOptions options;
    options.database = parser.value(database);
    options.profile = parser.value(profile);
    options.pluginFolder = parser.value(plugins);
    bool valid = false;
    const int id = parser.value(language).toInt(&valid);
    const bool languageValid = valid && id >= 0 && id <= 0xFFFF;
    if (languageValid) options.language = id;

    HostApplication host(options);
    host.Start();
    if (!languageValid)
        host.Window().ShowMessage(QStringLiteral("The language \"%1\" is not a number from 0 to 65535; "
                                                 "1049 is used.")
                                      .arg(parser.value(language)));
    host.Window().show();
    const int result = app.exec();
    host.Shutdown();
    return result;
}

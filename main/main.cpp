#include "main/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

namespace {

const char* const kDescription = R"(Brevalon point of sale: the till and the back office of a restaurant or shop.

The program takes its database connection and every other setting from the
settings store of the user who runs it (~/.Zendrik/Brevalon/brevalonrc);
write them with "brevalon-db configure". Staff log in with their code on the
keypad that opens at the start. Besides the options below it takes the Qt
toolkit's own (such as -style or -platform).

Exit status: 0 after a normal run, 255 (-1) when the database driver cannot be
loaded or the database cannot be opened, 1 when the shop's details cannot be
read.)";

// --help and --version are answered before the application object exists,
// so that they work without a display; a plain core application serves
// the parser meanwhile.
int answerOptions(int argc, char** argv)
{
    QCoreApplication plain(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // The toolkit's options are not ours to refuse.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "Brevalon " << BREVALON_VERSION << Qt::endl;
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    const int answered = answerOptions(argc, argv);
    if (answered >= 0)
        return answered;
    QApplication app(argc, argv);
    return Startup::run(app);
}

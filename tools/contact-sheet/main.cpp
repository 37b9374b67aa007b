#include "contactsheet.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstring>

namespace {

const char usage[] =
    "Usage: contact_sheet [output.png [device pixel ratio]]\n"
    "       contact_sheet -h | --help    (shows this text)\n"
    "\n"
    "Renders every key legend and picture into output.png (contact-sheet.png by\n"
    "default; write one whose name begins with \"-\" as \"./-name\") at the device\n"
    "pixel ratio (2 by default).\n";

// What is wrong with the arguments after the program's name, or nothing.
QString fault(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')))
            return QStringLiteral("unknown option \"%1\"").arg(argument);
    }
    return arguments.size() > 2 ? QStringLiteral("too many arguments") : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Before the application, which needs a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            QTextStream(stdout) << usage;
            return 0;
        }
    }
    QGuiApplication application(argc, argv);
    // Qt has taken its own options out of these.
    const QStringList arguments = application.arguments();
    if (const QString wrong = fault(arguments.mid(1)); !wrong.isEmpty()) {
        QTextStream(stderr) << "contact_sheet: " << wrong << "\n\n" << usage;
        return 2;
    }
    const QString output = arguments.value(1, QStringLiteral("contact-sheet.png"));
    const qreal ratio = arguments.value(2, QStringLiteral("2")).toDouble();
    if (!ContactSheet(ratio > 0 ? ratio : 2).render().save(output)) {
        QTextStream(stderr) << "cannot write " << output << "\n";
        return 1;
    }
    QTextStream(stdout) << output << "\n";
    return 0;
}

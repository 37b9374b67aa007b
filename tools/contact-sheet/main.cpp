#include "contactsheet.h"

#include <QGuiApplication>
#include <QTextStream>

// contact_sheet [output.png [device pixel ratio]]: renders the sheet, by default into
// contact-sheet.png at ratio 2.
int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString output = arguments.value(1, QStringLiteral("contact-sheet.png"));
    const qreal ratio = arguments.value(2, QStringLiteral("2")).toDouble();
    if (!ContactSheet(ratio > 0 ? ratio : 2).render().save(output)) {
        QTextStream(stderr) << "cannot write " << output << "\n";
        return 1;
    }
    QTextStream(stdout) << output << "\n";
    return 0;
}

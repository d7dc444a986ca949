// Lists each activity's pictures, one line an activity ("phaseslab Images/phases0.jpg ..."), for
// the page's build, which sends each activity's pictures in a pack of their own:
// lumenary_activity_pictures <list>
// A picture an activity reads that the artwork does not draw is a failure, named on stderr.
#include "artworkCatalogue.h"

#include "activities/Activities.h"

#include <QFile>
#include <QString>
#include <QTextStream>

#include <algorithm>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: lumenary_activity_pictures <list>\n";
        return 2;
    }
    bool complete = true;
    QString list;
    const auto& catalogue = lumenary::artwork::artworkCatalogue();
    for (const lumenary::Activity& activity : lumenary::activities()) {
        list += QString::fromLatin1(activity.name);
        for (const std::string& read : lumenary::picturesOf(activity)) {
            const QString file = QString::fromStdString(read).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (std::none_of(catalogue.begin(), catalogue.end(), [&](const auto& drawn) { return drawn.path == file; })) {
                err << "lumenary_activity_pictures: " << file << ": the activity " << activity.name << " reads it, and the artwork does not draw it\n";
                complete = false;
            }
            list += QLatin1Char(' ') + file;
        }
        list += QLatin1Char('\n');
    }
    // Then nothing is written, and the next build lists them again.
    if (!complete) return 1;
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(list.toUtf8()) != list.toUtf8().size()) {
        err << "lumenary_activity_pictures: could not write " << out.fileName() << ": " << out.errorString() << '\n';
        return 1;
    }
    return 0;
}

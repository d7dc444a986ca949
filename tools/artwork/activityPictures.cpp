#include "activityPictures.h"

#include "artworkCatalogue.h"

#include "activities/Activities.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace lumenary::artwork {

QStringList writeActivityPictures(const QString& listPath)
{
    QStringList failures;
    QString list;
    for (const Activity& activity : activities()) {
        list += QString::fromLatin1(activity.name);
        for (const std::string& written : picturesOf(activity)) {
            const QString file = QString::fromStdString(written).replace(QLatin1Char('\\'), QLatin1Char('/'));
            const auto& catalogue = artworkCatalogue();
            if (std::none_of(catalogue.begin(), catalogue.end(), [&](const ArtworkFile& drawn) { return drawn.path == file; }))
                failures << QStringLiteral("%1: the activity %2 reads it, and the artwork does not draw it").arg(file, activity.name);
            list += QLatin1Char(' ') + file;
        }
        list += QLatin1Char('\n');
    }
    QFile out(listPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(list.toUtf8()) != list.toUtf8().size())
        failures << QStringLiteral("%1: %2").arg(listPath, out.errorString());
    return failures;
}

}  // namespace lumenary::artwork

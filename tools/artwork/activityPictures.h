#pragma once

#include <QString>
#include <QStringList>

namespace lumenary::artwork {

// Writes each activity's pictures, one line an activity ("phaseslab Images/phases0.jpg ..."),
// for the page's build, which sends each activity's pictures in a pack of their own. A picture
// an activity reads that the artwork does not draw is a failure, named in what it returns.
QStringList writeActivityPictures(const QString& listPath);

}  // namespace lumenary::artwork

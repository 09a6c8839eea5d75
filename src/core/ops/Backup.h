#pragma once

#include <QJsonObject>
#include <QString>

// The values read from a tester, kept before they are overwritten: one JSON
// document per send or confirmed calibration, named by serial number and
// time, the newest 50 kept.
namespace Backup {

constexpr int Kept = 50;

// The user's backup folder, shared by the window and the command-line tool.
QString folder();

// Saves the document; the file's path, or empty when it could not be written.
QString save(const QJsonObject &document, const QString &folder = Backup::folder());

} // namespace Backup

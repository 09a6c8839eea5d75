#pragma once

#include <QByteArray>
#include <QString>

// A command's document or report, to a file or to standard output for "-"
// or none. Returns the exit status; a failure is said on stderr.
namespace OutputFile {

enum class Content { Text, Binary };

int write(const QString &path, const QByteArray &bytes, Content content = Content::Text);

} // namespace OutputFile

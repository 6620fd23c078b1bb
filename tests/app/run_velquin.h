#pragma once

// The command as a release script runs it, where there is no display: its
// exit code and what it printed, read as the platform's text files hold it
// (UTF-8 with LF; on Windows code page 932 with CR LF: a line break without
// its CR, or bytes that are not code page 932, come back as "<not text>").

#include <QProcess>
#include <QString>
#include <QStringList>

#include "settings/text/sjis.h"

namespace velquin::test {

struct Ended {
  int exitCode = -1;
  QString out;
  QString err;
};

inline QString printedText(const QByteArray& bytes) {
#ifdef _WIN32
  if (bytes.count('\n') != bytes.count("\r\n")) return QStringLiteral("<not text>");
  QByteArray lines = bytes;
  const std::optional<std::string> utf8 = sjis::decode(lines.replace("\r\n", "\n").toStdString());
  return utf8 ? QString::fromStdString(*utf8) : QStringLiteral("<not text>");
#else
  return bytes.contains('\r') ? QStringLiteral("<not text>") : QString::fromUtf8(bytes);
#endif
}

// With `standardOutputFile`, the standard output goes to that file.
inline Ended runVelquin(const QStringList& arguments, const QString& standardOutputFile = {}) {
  QProcess velquin;
  if (!standardOutputFile.isEmpty()) velquin.setStandardOutputFile(standardOutputFile);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  velquin.setProcessEnvironment(env);
  velquin.start(QStringLiteral(VELQUIN_EXECUTABLE), arguments);
  if (!velquin.waitForFinished(20000) || velquin.exitStatus() != QProcess::NormalExit) return {};
  return {velquin.exitCode(), printedText(velquin.readAllStandardOutput()),
          printedText(velquin.readAllStandardError())};
}

}  // namespace velquin::test

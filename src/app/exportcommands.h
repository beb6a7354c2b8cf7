#pragma once
// merisko --export-png, --export-svg, --export-thumbnail and --worksheet: the pictures the editor
// makes, written without a window, one document or several at a time.

#include <QString>
#include <QStringList>

/// The export switches' arguments after the switch itself (argv[2] …), with the reference folder
/// whose start picture and texture they draw on. Prints what was written on standard output and every
/// problem in Polish on standard error. Returns 0 when every file was written, 1 when a document or
/// a file failed (the others are still written), 2 for arguments that make no command.
int RunExportCommand(const QString &command, const QStringList &args, const QString &baseFolder);

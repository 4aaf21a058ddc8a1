// The file dialog facility on this desktop: a QFileDialog that takes the classic dialog record and
// fills its buffers the way the platform dialog does. The conversions are plain functions so that
// they can be tested without showing a dialog.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/services.h"

namespace Platform::File_Dialog {

// The flag that allows several files to be chosen in the Open dialog.
constexpr std::int32_t OFN_ALLOWMULTISELECT = 0x200;

// The record's filter list (description NUL patterns NUL ... NUL NUL) as the dialog's name
// filters: "Description (patterns)", the patterns separated by blanks; "*.*" means every file.
QStringList Name_Filters(const QString& converted_filter);

// The 1-based number of the name filter that the dialog reports as selected (as built by
// Name_Filters, or as shown without its patterns); 0 when none matches.
int Filter_Number(const QStringList& name_filters, const QString& selected);

// Fills the file buffer with the full path and the file-title buffer with the name, each followed
// by NULs to its length. False when the path does not fit its buffer with its NUL; a name that
// does not fit the title buffer leaves that buffer empty.
bool Fill_Single(Dialog_Record& record, const QString& path);

// A multiple selection: one file is filled as a single one; several files of one folder become the
// folder, NUL, each name followed by NUL, and a further NUL. False when they do not fit the buffer
// or do not share a folder.
bool Fill_Multiple(Dialog_Record& record, const QStringList& paths);

}  // namespace Platform::File_Dialog

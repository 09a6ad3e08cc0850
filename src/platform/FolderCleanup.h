#pragma once

#include <QString>

// Deletes the files of the folder whose names match the mask ("*" any run of characters,
// "?" one character, "*.*" everything; case ignored). Folders and read-only files stay; a
// missing folder or a failed deletion does nothing, and nothing is reported.
void DeleteFilesInFolder(const QString& folder, const QString& mask);

// The scratch folder of scanned pages beside the program: programFolder + "twain/".
QString ScannerFolder(const QString& programFolder);

// Empties the scanner folder (the folder itself stays).
void ClearScannerFolder(const QString& programFolder);

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Result.h"
#include "records/Layout.h"
#include "records/Records.h"

namespace fw {

// Appends one record per entry of the file (switched-off entries included) and its gaps of blank
// and comment lines (see records/LineKinds.h); a byte-order mark opening the file is noted, not
// read. Fails when the file cannot be read or an entry has no aircraft number in its first field
// (after its first three characters), naming the file and the line (every line counted).
Result<void> ReadACNumFile(ACNumRecordList& list, const std::string& fileName,
                           FileSystem& fs = NativeFileSystem());

// Appends one record per entry of the file, keyed by its first field without spaces around it,
// and its gaps, as ReadACNumFile. Fails only when the file cannot be read.
Result<void> ReadAPFile(APRecordList& list, const std::string& fileName,
                        FileSystem& fs = NativeFileSystem());

// As the readers above on each file in turn, stopping at the first failure; room for the records
// of all the files is made at once.
Result<void> ReadACNumFiles(ACNumRecordList& list, std::span<const std::string> fileNames,
                            FileSystem& fs = NativeFileSystem());
Result<void> ReadAPFiles(APRecordList& list, std::span<const std::string> fileNames,
                         FileSystem& fs = NativeFileSystem());

// Replaces the file with the records' lines in list order, each distinct non-empty line once,
// each followed by CR LF. The list must be sorted by ACNum (as SortACNumRecords leaves it):
// repeated lines are looked for only among records of one number. Fails, leaving the file as it
// was, when it cannot be written.
Result<void> WriteACNumFile(std::span<const ACNumRecord> list, const std::string& fileName,
                            FileSystem& fs = NativeFileSystem());

// Replaces the file with the line of the first record of each airport ID; the list must be sorted
// by APID (as SortAPRecords leaves it). Records with an empty ID are not written. Fails, leaving
// the file as it was, when it cannot be written.
Result<void> WriteAPFile(std::span<const APRecord> list, const std::string& fileName,
                         FileSystem& fs = NativeFileSystem());

// Replaces the file with a list read by the readers above, laid out by LayOut and then sorted
// (SortACNumRecords for a list that is not grouped, ArrangeBlocks for one that is): a byte-order
// mark when the first file had one, a merge's day line, then the entries with the kept gaps
// between them, each line followed by CR LF. Fails, leaving the file as it was, when it cannot be
// written.
Result<void> WriteACNumFile(const ACNumRecordList& list, const Layout& layout,
                            const std::string& fileName, FileSystem& fs = NativeFileSystem());
Result<void> WriteAPFile(const APRecordList& list, const Layout& layout,
                         const std::string& fileName, FileSystem& fs = NativeFileSystem());

// The parsing of the two readers, on one file's bytes already in memory: appends its records, its
// gaps and the file to the list (the list's storage is left to the caller). Fails as the readers;
// fileName is for messages.
Result<void> ParseACNumLines(std::string_view bytes, ACNumRecordList& list,
                             std::string_view fileName);
void ParseAPLines(std::string_view bytes, APRecordList& list);

// About how many records the bytes hold, with some to spare: room to make for them.
std::size_t ExpectedLines(std::string_view bytes);

}  // namespace fw

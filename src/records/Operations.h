#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Result.h"
#include "records/Operation.h"

namespace fw {

// Each operation reads its files, writes its output and returns what it did, or the failure's
// description ("cannot open ..."). A failed operation leaves every file it has not finished
// writing as it was.

// Reads the input files, sorts their records by key and writes each distinct entry once.
Result<Completed> SortFlightPlans(const OperationRequest& request, const Progress& progress,
                                  FileSystem& fs = NativeFileSystem());
Result<Completed> MergeFlightPlans(const OperationRequest& request, const Progress& progress,
                                   FileSystem& fs = NativeFileSystem());
Result<Completed> SortAirports(const OperationRequest& request, const Progress& progress,
                               FileSystem& fs = NativeFileSystem());
Result<Completed> MergeAirports(const OperationRequest& request, const Progress& progress,
                                FileSystem& fs = NativeFileSystem());
Result<Completed> SortAircraft(const OperationRequest& request, const Progress& progress,
                               FileSystem& fs = NativeFileSystem());
Result<Completed> MergeAircraft(const OperationRequest& request, const Progress& progress,
                                FileSystem& fs = NativeFileSystem());

// Gives every entry of number From the number To in each listed file, rewriting the files in
// place (sorted, duplicates removed), each after a ".BAK" copy when Backup is set. Completed
// holds how many records were changed.
Result<Completed> ChangeACNumbers(const OperationRequest& request, const Progress& progress,
                                  FileSystem& fs = NativeFileSystem());

// The names of the files a request lists for reading, without surrounding spaces and blank lines;
// an operation of one input takes its only input whole.
std::vector<std::string> InputNames(Operation operation, const OperationRequest& request);

// Runs the routine of an operation.
Result<Completed> RunOperation(Operation operation, const OperationRequest& request,
                               const Progress& progress, FileSystem& fs = NativeFileSystem());

}  // namespace fw

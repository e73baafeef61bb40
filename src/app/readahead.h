// A module file read, and its reader run over it, with what stopped either kept rather than
// thrown: a load runs some of these on a worker thread while the window reads the other
// files, and takes every one back on the window's thread in the readers' fixed order, so it
// shows the same lists and reports the same messages as one that read every file in turn.
#pragma once

#include "core/textfiles.h"

#include <QString>
#include <exception>

namespace mw {

template <typename Result> struct FileRead {
    bool found = false; // the file exists
    bool linesRead = false; // every byte of it was read and its lines found
    LineArray lines;
    Result read; // what `reader` made of the lines
    std::exception_ptr failure; // what stopped the read or the reader, if anything
};

template <typename Result, typename Reader> FileRead<Result> readFileAhead(const QString& path, Reader reader)
{
    FileRead<Result> file;
    file.found = fileExists(path);
    if (!file.found)
        return file;
    try {
        file.lines = readLines(path);
        file.linesRead = true;
        file.read = reader(file.lines);
    } catch (...) {
        file.failure = std::current_exception();
    }
    return file;
}

} // namespace mw

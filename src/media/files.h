// Reading the game's files: byte streams with the line rule, whole files,
// and the record of every file read.
#pragma once

#include "media/strings.h"

#include <string>
#include <vector>

struct Stream;
Stream* OpenTextFile(const Str& path);
// OpenTextFile for a file of the game, noted in OpenedFiles.
Stream* OpenDataFile(const Str& path);
Str ReadTextLine(Stream* s);
int ReadU8(Stream* s);
int ReadU16(Stream* s);
int EndOfFile(Stream* s);
void CloseFile(Stream* s);
bool FileExists(const Str& path);
// Reads a file the game needs whole; false when it cannot be read. Noted in
// OpenedFiles.
bool ReadDataFile(const Str& path, std::string& out);
// Whole-file helpers for tools and the headless driver.
bool ReadWholeFile(const std::string& utf8path, std::string& out);
bool WriteWholeFile(const std::string& utf8path, const std::string& data);
// Every game file read so far, in order (for tests that remove them one by one).
const std::vector<std::string>& OpenedFiles();
// Changes the working directory; false if it does not exist.
bool ChangeDirectory(const std::string& utf8path);
// The folder the running program lies in (empty if unknown).
std::string ProgramDirectory();
// The working directory (empty if unknown).
std::string CurrentDirectory();

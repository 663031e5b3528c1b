// The map connections in their readable form, for the connection tool.
//
// One connection a line, `START X Y -> DEST X Y`: the start map and cell,
// then the destination map and cell. A map name is one word, or any text in
// double quotes ("Alter Wald"); `#` starts a comment outside quotes; blank
// lines are skipped. The source is UTF-8; the names must stay within
// Latin-1, the one-byte text of the game's files.
#pragma once

#include "data/connection_format.h"

#include <string>
#include <vector>

// A connection with the line of the source it was written on (0 when it
// came from a binary file).
struct LinkEntry {
    TVerbindung link;
    int line = 0;
};

// Parses the text of a source file named `path` (for the messages). Returns
// an empty string or "PATH:LINE: why" for the first fault.
std::string ParseLinkText(const std::string& text, const std::string& path,
                          std::vector<LinkEntry>& out);
// The source text for `list`, one line per connection, after a comment
// line. Returns an empty string or why a name cannot be written.
std::string FormatLinkText(const std::vector<LinkEntry>& list, std::string& text);

// Checks the connections against the compiled maps in mapDir
// (mapDir/NAME.Map): both maps exist, both cells lie inside them, the start
// cell carries an exit marker (otherwise the connection is never taken) and
// the destination cell is not blocked in layer 2. Returns an empty string
// or "PATH:LINE: why" for the first fault.
std::string CheckLinksAgainstMaps(const std::vector<LinkEntry>& list, const std::string& path,
                                  const std::string& mapDir);

// Whole files. Each returns an empty string or a message naming the file
// (and its line or record).
std::string ReadLinkSource(const std::string& path, std::vector<LinkEntry>& out);
std::string WriteLinkSource(const std::string& path, const std::vector<LinkEntry>& list);
std::string ReadLinkBinary(const std::string& path, std::vector<LinkEntry>& out);
std::string WriteLinkBinary(const std::string& path, const std::vector<LinkEntry>& list);

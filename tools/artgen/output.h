// Where the painters hand over their finished pictures: a path relative to
// the output folder (UTF-8, with "/" separators) and the picture.
#pragma once

#include "media/media.h"

#include <functional>
#include <string>

namespace art {

using PictureSink = std::function<void(const std::string& relPath, const Pixmap& picture)>;

} // namespace art

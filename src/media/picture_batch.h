// Start-up's picture batch.
#pragma once

// Between these two, pictures are decoded on a second thread while loading
// goes on: a load reads only the file's header (a missing file or a wrong
// size fails at once), the pixels are ready when first used and all of them
// by EndPictureBatch, which reports the first broken picture in load order.
// The batch's state lives from BeginPictureBatch to EndPictureBatch.
void BeginPictureBatch();
void EndPictureBatch();

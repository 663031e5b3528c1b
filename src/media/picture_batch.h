// Start-up's picture batch.
#pragma once

// Between these two, pictures are decoded on a second thread while loading
// goes on: a load reads only the file's header (a missing file or a wrong
// size fails at once), the pixels are ready when first used and all of them
// by EndPictureBatch, which reports the first broken picture in load order.
// The batch's state lives from BeginPictureBatch to EndPictureBatch.
void BeginPictureBatch();
void EndPictureBatch();

// Pictures loaded between these two (inside a batch) are needed only when a
// window opens: EndPictureBatch does not wait for them. The worker decodes
// them after all others while the game runs; where one is used first, it
// is waited for (or decoded then and there).
void BeginLatePictures();
void EndLatePictures();
// Once a frame: when the late pictures are all decoded, frees their jobs
// and throws the DataError of the first broken one.
void PollPictures();
// Waits for every picture still being decoded (the main thread helps) and
// reports the first broken one like EndPictureBatch.
void FinishPictures();

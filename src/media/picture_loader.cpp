// Pictures read on a second thread during start-up: a batch of decoding
// jobs, each filling one sheet, worked off in load order by one worker and
// by the main thread whenever it needs a sheet that is not ready yet. A job
// touches only its own sheet and its own file, so the result is the same
// whichever thread runs it. Late jobs (pictures of windows the game starts
// without) come after all others and may outlive the batch: the worker
// finishes them while the game runs.
#include "media/media.h"
#include "media/media_internal.h"
#include "media/image_internal.h"
#include "media/picture_batch.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace media {
struct PictureJob {
    Sheet* sheet = nullptr;
    std::string path;
    std::function<void(std::string& err)> work;
    std::string err;
    int state = 0; // 0 waiting, 1 running, 2 done
    bool late = false;
};
} // namespace media

namespace {
// Lives until the process ends (never destroyed, so that a worker still
// decoding when start-up fails and the program exits touches live memory).
struct Loader {
    std::mutex m;
    std::condition_variable done;
    std::deque<media::PictureJob*> jobs; // the batch's jobs, in load order
    bool running = false;                // the worker thread works
    std::thread worker;
    int depth = 0;     // nested batches open
    int lateDepth = 0; // BeginLatePictures not yet ended
};
Loader& L() {
    static Loader* l = new Loader;
    return *l;
}

void Run(media::PictureJob* job) {
    std::string err;
    job->work(err);
    std::lock_guard<std::mutex> lock(L().m);
    job->err = err;
    job->state = 2;
    L().done.notify_all();
}

// The next job to take: the first waiting one in load order, late ones
// after all others. Called with the lock held.
media::PictureJob* NextJob(bool takeLate) {
    media::PictureJob* late = nullptr;
    for (media::PictureJob* j : L().jobs) {
        if (j->state != 0) continue;
        if (!j->late) return j;
        if (!late) late = j;
    }
    return takeLate ? late : nullptr;
}

void WorkerLoop() {
    Loader& l = L();
    for (;;) {
        media::PictureJob* job = nullptr;
        {
            std::lock_guard<std::mutex> lock(l.m);
            job = NextJob(true);
            if (!job) {
                l.running = false;
                return;
            }
            job->state = 1;
        }
        Run(job);
    }
}

// The main thread takes every job the worker has not begun (the late ones
// too, with takeLate), then waits for those it needs; the first broken
// picture in load order is reported. Once no job is left, the worker is
// joined and the jobs are freed.
void Finish(bool takeLate) {
    Loader& l = L();
    for (;;) {
        media::PictureJob* job = nullptr;
        {
            std::lock_guard<std::mutex> lock(l.m);
            job = NextJob(takeLate);
            if (job) job->state = 1;
        }
        if (!job) break;
        Run(job);
    }
    std::exception_ptr first;
    bool left = false;
    for (media::PictureJob* job : l.jobs) {
        if (job->late && !takeLate) {
            left = true;
            continue;
        }
        try {
            media::WaitForSheet(job->sheet);
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (!left) {
        if (l.worker.joinable()) l.worker.join();
        for (media::PictureJob* job : l.jobs) delete job;
        l.jobs.clear();
    }
    if (first) std::rethrow_exception(first);
}
} // namespace

namespace media {
bool PictureBatchOpen() {
    return L().depth > 0;
}

void DeferPicture(Sheet* sheet, const std::string& path,
                  std::function<void(std::string& err)> work) {
    Loader& l = L();
    auto* job = new PictureJob;
    job->sheet = sheet;
    job->path = path;
    job->work = std::move(work);
    job->late = l.lateDepth > 0;
    sheet->job = job;
    std::lock_guard<std::mutex> lock(l.m);
    l.jobs.push_back(job);
    if (!l.running) {
        if (l.worker.joinable()) l.worker.join(); // it has returned already
        l.running = true;
        l.worker = std::thread(WorkerLoop);
    }
}

void WaitForSheet(const Sheet* sheet) {
    PictureJob* job = sheet->job;
    if (!job) return;
    Loader& l = L();
    std::unique_lock<std::mutex> lock(l.m);
    if (job->state == 0) {
        job->state = 1;
        lock.unlock();
        Run(job);
        lock.lock();
    }
    l.done.wait(lock, [job] { return job->state == 2; });
    auto* sh = const_cast<Sheet*>(sheet);
    sh->job = nullptr;
    if (!job->err.empty()) {
        // Whatever was cut before the fault is dropped: the picture shows
        // nothing if it is drawn after all.
        sh->slot.assign((size_t)sh->cols * sh->rows, -1);
        sh->cover.clear();
        sh->argb.clear();
        throw DataError(job->path, job->err);
    }
}
} // namespace media

void BeginPictureBatch() {
    ++L().depth;
}

void EndPictureBatch() {
    Loader& l = L();
    if (l.depth == 0 || --l.depth > 0) return;
    Finish(false);
}

void BeginLatePictures() {
    ++L().lateDepth;
}

void EndLatePictures() {
    if (L().lateDepth > 0) --L().lateDepth;
}

void PollPictures() {
    Loader& l = L();
    if (l.depth > 0 || l.jobs.empty()) return;
    {
        std::lock_guard<std::mutex> lock(l.m);
        for (media::PictureJob* j : l.jobs)
            if (j->state != 2) return;
    }
    Finish(true);
}

void FinishPictures() {
    if (L().depth > 0) return;
    Finish(true);
}

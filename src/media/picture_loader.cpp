// Pictures read on a second thread during start-up: a batch of decoding
// jobs, each filling one sheet, worked off in load order by one worker and
// by the main thread whenever it needs a sheet that is not ready yet. A job
// touches only its own sheet and its own file, so the result is the same
// whichever thread runs it.
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
};
} // namespace media

namespace {
// Lives until the process ends (never destroyed, so that a worker still
// decoding when start-up fails and the program exits touches live memory).
struct Loader {
    std::mutex m;
    std::condition_variable done;
    std::deque<media::PictureJob*> jobs; // the open batch's jobs, in load order
    size_t next = 0;                     // no job before this one waits
    bool running = false;                // the worker thread works
    std::thread worker;
    int depth = 0; // nested batches open
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

void WorkerLoop() {
    Loader& l = L();
    for (;;) {
        media::PictureJob* job = nullptr;
        {
            std::lock_guard<std::mutex> lock(l.m);
            while (l.next < l.jobs.size() && l.jobs[l.next]->state != 0) ++l.next;
            if (l.next == l.jobs.size()) {
                l.running = false;
                return;
            }
            job = l.jobs[l.next];
            job->state = 1;
        }
        Run(job);
    }
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
    // The main thread takes every job the worker has not begun, then waits
    // for the worker's; the first broken picture in load order is the one
    // reported.
    for (;;) {
        media::PictureJob* job = nullptr;
        {
            std::lock_guard<std::mutex> lock(l.m);
            for (media::PictureJob* j : l.jobs)
                if (j->state == 0) {
                    job = j;
                    job->state = 1;
                    break;
                }
        }
        if (!job) break;
        Run(job);
    }
    std::exception_ptr first;
    for (media::PictureJob* job : l.jobs) {
        try {
            media::WaitForSheet(job->sheet);
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (l.worker.joinable()) l.worker.join();
    for (media::PictureJob* job : l.jobs) delete job;
    l.jobs.clear();
    l.next = 0;
    if (first) std::rethrow_exception(first);
}

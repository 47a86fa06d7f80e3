#include "core/ordered_rows.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/error_report.h"
#include "core/runtime_error.h"

namespace zorvan {

void WriteRowsInOrder(std::size_t total, int jobs, const std::function<RowMaker()>& newWorker,
                      const std::function<void(const std::string&)>& write,
                      const std::function<void(std::size_t written)>& progress) {
  const std::size_t window = kWindowPerJob * static_cast<std::size_t>(std::max(jobs, 1));
  std::vector<std::string> slots(window);
  std::vector<char> ready(window, 0);
  std::mutex m;
  std::condition_variable roomCv;
  std::size_t next = 0, written = 0;
  bool writing = false, stop = false;
  std::optional<RunTimeError> failure;
  auto fail = [&](const std::exception& e) {
    std::lock_guard lock(m);
    if (!failure) failure.emplace(ErrorNumberOf(e), ErrorDescriptionOf(e));
    stop = true;
    roomCv.notify_all();
  };

  // Writes every row ready at the front, until none is; one worker at a time.
  // The lock is held on entry and on return, not while writing.
  auto writeReady = [&](std::unique_lock<std::mutex>& lock, std::string& batch) {
    writing = true;
    while (!stop && written < total && ready[written % window]) {
      batch.clear();
      while (written < total && ready[written % window]) {
        batch += slots[written % window];
        ready[written % window] = 0;
        ++written;
      }
      const std::size_t done = written;
      roomCv.notify_all();
      lock.unlock();
      try {
        write(batch);
        progress(done);
      } catch (...) {
        lock.lock();
        writing = false;
        throw;
      }
      lock.lock();
    }
    writing = false;
  };

  auto work = [&] {
    try {
      const RowMaker make = newWorker();
      std::vector<std::string> rows(kRowsPerTake);
      std::string batch;
      std::unique_lock lock(m);
      while (true) {
        roomCv.wait(lock, [&] { return stop || next >= total || next < written + window; });
        if (stop || next >= total) return;
        const std::size_t first = next, count = std::min({kRowsPerTake, total - next, written + window - next});
        next += count;
        lock.unlock();
        for (std::size_t k = 0; k < count; ++k) make(first + k, rows[k]);
        lock.lock();
        for (std::size_t k = 0; k < count; ++k) {
          std::swap(slots[(first + k) % window], rows[k]);
          ready[(first + k) % window] = 1;
        }
        // The rows complete the front: write them and what followed them.
        if (!writing && first == written) writeReady(lock, batch);
      }
    } catch (const std::exception& e) {  // memory for a worker's design, or the write
      fail(e);
    }
  };
  std::vector<std::thread> workers;
  for (int k = 1; k < jobs; ++k) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  if (failure) throw *failure;
  if (written < total) RaiseError(err::InvalidCall);  // never: every row made is written
}

}  // namespace zorvan

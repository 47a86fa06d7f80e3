#include "app/cli/ordered_rows.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/error_report.h"
#include "core/runtime_error.h"

namespace zorvan::cli {

void WriteRowsInOrder(std::size_t total, int jobs, const std::function<RowMaker()>& newWorker,
                      const std::function<void(const std::string&)>& write,
                      const std::function<void(std::size_t written)>& progress) {
  const std::size_t window = kWindowPerJob * static_cast<std::size_t>(jobs);
  std::vector<std::string> slots(window);
  std::vector<char> ready(window, 0);
  std::mutex m;
  std::condition_variable roomCv, rowCv;
  std::size_t next = 0, written = 0;
  bool stop = false;
  std::optional<RunTimeError> failure;
  auto fail = [&](const std::exception& e) {
    std::lock_guard lock(m);
    if (!failure) failure.emplace(ErrorNumberOf(e), ErrorDescriptionOf(e));
    stop = true;
    rowCv.notify_one();
    roomCv.notify_all();
  };

  auto work = [&] {
    try {
      const RowMaker make = newWorker();
      std::vector<std::string> rows(kRowsPerTake);
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
        if (first <= written && written < first + count) rowCv.notify_one();
      }
    } catch (const std::exception& e) {  // memory for a worker's design
      fail(e);
    }
  };
  std::vector<std::thread> workers;
  for (int k = 0; k < jobs; ++k) workers.emplace_back(work);

  std::string batch;
  try {
    while (true) {
      {
        std::unique_lock lock(m);
        rowCv.wait(lock, [&] { return stop || written >= total || ready[written % window]; });
        if (stop || written >= total) break;
        batch.clear();
        while (written < total && ready[written % window]) {  // every row already waiting
          batch += slots[written % window];
          ready[written % window] = 0;
          ++written;
        }
      }
      roomCv.notify_all();
      write(batch);
      progress(written);
    }
  } catch (const std::exception& e) {
    fail(e);
  }
  for (std::thread& t : workers) t.join();
  if (failure) throw *failure;
}

}  // namespace zorvan::cli

#pragma once
// Rows of a long table made on several workers and written in their order.
// Workers take the rows in order, a few at a time; a finished row waits in a
// bounded window until every row before it is written, so the output keeps
// the rows' order and the memory does not grow with their number. The
// worker whose rows complete the front of the window writes what is ready,
// so no thread waits only to write, and the calling thread is one of the
// workers.
#include <cstddef>
#include <functional>
#include <string>

namespace zorvan {

constexpr std::size_t kRowsPerTake = 16;   // rows a worker takes at once, so that it seldom waits for the lock
constexpr std::size_t kWindowPerJob = 64;  // rows that may wait for an earlier one, per worker

// One worker's way of making row `index` into `row`.
using RowMaker = std::function<void(std::size_t index, std::string& row)>;

// Makes rows 0..total-1 on `jobs` workers, each with a maker of its own from
// newWorker (called on the worker), and hands them to write in order, in
// batches, one write at a time; progress hears how many are written. A worker or a write that
// fails stops every worker, and the first failure is raised again as a
// RunTimeError once they have all ended.
void WriteRowsInOrder(std::size_t total, int jobs, const std::function<RowMaker()>& newWorker,
                      const std::function<void(const std::string&)>& write,
                      const std::function<void(std::size_t written)>& progress);

}  // namespace zorvan

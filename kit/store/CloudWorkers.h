#pragma once
// The threads on which cloud databases answer: a small pool shared by the process, like the
// cloud service's own callback threads. Tasks run in submission order, two at a time.
#include <functional>

namespace kit::CloudWorkers {

void run(std::function<void()> task);
// Blocks until every task submitted so far (and the tasks they submitted) has finished. For tests.
void waitUntilIdle();

} // namespace kit::CloudWorkers

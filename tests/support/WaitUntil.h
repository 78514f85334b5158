#pragma once
// Waiting on something another thread or process does, without running an
// event loop (tests that need one use QTest::qWaitFor).
#include <functional>

namespace TestSupport {

// Polls `condition` every `pollMs` until it holds (true) or `timeoutMs` has
// passed (false).
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000, int pollMs = 1);

}  // namespace TestSupport

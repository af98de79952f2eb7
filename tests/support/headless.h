// The headless backend every test program runs on (installed by the test main).
#pragma once
#include "platform/backend_headless.h"

HeadlessBackend& TestBackend();

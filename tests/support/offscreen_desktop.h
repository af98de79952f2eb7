// Points SDL at its invisible display and silent audio device for the desktop backend's tests.
#pragma once

// Call before the first SDL backend is created.
void UseOffscreenDesktop();

#include <memory>

#include "app/entry.h"
#include "platform/desktop.h"

int main(int, char** argv) {
  std::unique_ptr<Backend> backend = CreateDesktopBackend();
  SetBackend(backend.get());
  EnterDataDirectory(argv[0]);
  int exitCode = WinMain();
  SetBackend(nullptr);
  return exitCode;
}

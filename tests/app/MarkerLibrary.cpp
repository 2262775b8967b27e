// A library named as a language library whose only content is start-up code: loading it creates
// the file named by VT_TEST_MARKER_FILE. Whether that file appears tells whether it was loaded.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

__attribute__((constructor)) static void LeaveMarker() {
  const char* marker = std::getenv("VT_TEST_MARKER_FILE");
  if (marker == nullptr) return;
  const int descriptor = ::open(marker, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (descriptor >= 0) ::close(descriptor);
}

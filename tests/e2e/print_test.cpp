// Print against a real spooler: the test script's CUPS raw queue forwards
// the job to a port this test listens on; the bytes must arrive unchanged.
#include <winsock2.h>

#include "tests/e2e/editor_process.h"
#include "tests/runtime/controls/print_queue.h"

namespace {
// Takes one job on the queue's port, listening from construction on.
class JobListener {
public:
  explicit JobListener(int port) {
    WSADATA data;
    winsock_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!winsock_ || listener_ == INVALID_SOCKET ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 1) != 0)
      error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ", error " + std::to_string(WSAGetLastError());
  }
  ~JobListener() {
    for (SOCKET s : {job_, listener_})
      if (s != INVALID_SOCKET) closesocket(s);
    if (winsock_) WSACleanup();
  }
  JobListener(const JobListener&) = delete;
  JobListener& operator=(const JobListener&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  // Takes a whole job (until the spooler closes its side) within the timeout; false when none came whole.
  bool wait_job(DWORD timeout_ms = 30000) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(listener_, &set);
    timeval limit = {static_cast<long>(timeout_ms / 1000), 0};
    if (!ok() || select(0, &set, nullptr, nullptr, &limit) <= 0) return false;
    job_ = accept(listener_, nullptr, nullptr);
    setsockopt(job_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout_ms), sizeof timeout_ms);
    char chunk[4096];
    int n = 0;
    while ((n = recv(job_, chunk, sizeof chunk, 0)) > 0) bytes_.append(chunk, static_cast<size_t>(n));
    return n == 0;
  }
  // The job's bytes; read after wait_job.
  const std::string& bytes() const { return bytes_; }

private:
  bool winsock_ = false;
  SOCKET listener_ = INVALID_SOCKET, job_ = INVALID_SOCKET;
  std::string error_, bytes_;
};

using PrintE2E = EditorE2E;

TEST_F(PrintE2E, ACancelledDialogSendsNothingAndThenTheFieldsTextArrivesUnchanged) {
  PrintQueue queue;
  std::string why;
  if (!find_print_queue(&queue, &why)) GTEST_SKIP() << why;
  JobListener listener(queue.port);
  ASSERT_TRUE(listener.ok()) << listener.error();
  editor->set_field_text("never printed");
  editor->menu(MENU_PRINT);
  HWND dialog = editor->dialogs.wait_for("Print");
  ASSERT_NE(dialog, nullptr);
  press(dialog, IDCANCEL);
  ASSERT_TRUE(editor->dialogs.wait_gone(dialog));

  // The listener takes the first job only: had the cancel sent one, it would be that.
  const std::string text = "first line\r\n\r\n  third, indented\r\nlast";
  editor->set_field_text(text);
  editor->menu(MENU_PRINT);
  dialog = editor->dialogs.wait_for("Print");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(editor->dialogs.pick_printer(dialog, queue.printer)) << editor->dialogs.failure();
  press(dialog, IDOK);
  ASSERT_TRUE(editor->dialogs.wait_gone(dialog));
  ASSERT_TRUE(listener.wait_job()) << "no job reached the queue's port";
  EXPECT_EQ(listener.bytes(), text + "\r\n");
}

} // namespace

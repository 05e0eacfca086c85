// The printing tests' printer: a CUPS raw queue that the test script makes
// (TOLVANE_PRINTER), which forwards each job to a TCP port on this machine
// (TOLVANE_PRINT_PORT), and a listener on that port that captures the job's
// bytes as a printer would receive them.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include "tests/support/temp_text.h"
#include "tests/support/wait.h"

struct PrintQueue {
  std::string printer;
  int port = 0;
};

// The queue the test script set up; false, with the reason, when none was.
inline bool find_print_queue(PrintQueue* queue, std::string* why) {
  const char* printer = std::getenv("TOLVANE_PRINTER");
  const char* port = std::getenv("TOLVANE_PRINT_PORT");
  if (!printer || !*printer || !port || std::atoi(port) <= 0) {
    *why = "no CUPS test queue (TOLVANE_PRINTER and TOLVANE_PRINT_PORT are not set): scripts/test.sh "
           "starts cupsd and makes the queue only when it runs as root and CUPS can be installed and "
           "started; its output says which was missing";
    return false;
  }
  queue->printer = printer;
  queue->port = std::atoi(port);
  return true;
}

// A fresh heap per test, skipped when there is no test queue.
class PrintQueueTest : public HeapTest {
protected:
  void SetUp() override {
    HeapTest::SetUp();
    std::string why;
    if (!find_print_queue(&queue_, &why))
      GTEST_SKIP() << why;
  }
  PrintQueue queue_;
};

// Listens on the queue's port from construction on and takes one job: the
// bytes of the first connection, up to the spooler closing its side. Test
// programs that run side by side take the port in turn (a named mutex).
class JobListener {
public:
  explicit JobListener(int port) {
    turn_ = CreateMutexA(nullptr, FALSE, "TolvanePrintTestPort");
    DWORD waited = turn_ ? WaitForSingleObject(turn_, 120000) : WAIT_FAILED;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
      error_ = "another test kept the print port";
      return;
    }
    has_turn_ = true;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
      error_ = "WSAStartup failed";
      return;
    }
    winsock_ = true;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 1) != 0) {
      error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ", error " + std::to_string(WSAGetLastError());
      return;
    }
    thread_ = std::thread([this] { take_job(); });
  }

  ~JobListener() {
    stop_ = true;
    if (thread_.joinable())
      thread_.join();
    if (listener_ != INVALID_SOCKET)
      closesocket(listener_);
    if (winsock_)
      WSACleanup();
    if (has_turn_)
      ReleaseMutex(turn_);
    if (turn_)
      CloseHandle(turn_);
  }
  JobListener(const JobListener&) = delete;
  JobListener& operator=(const JobListener&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  // Waits until a whole job has arrived; false on timeout.
  bool wait_job(DWORD timeout_ms = 30000) {
    bool arrived = ok() && wait_until([this] { return done_.load(); }, timeout_ms);
    stop_ = true;
    if (thread_.joinable())
      thread_.join();
    return arrived;
  }
  // The job's bytes; read after wait_job.
  const std::string& bytes() const { return bytes_; }

private:
  // Waits for the socket to be readable, in short rounds so that the
  // destructor can stop the thread.
  bool readable(SOCKET s) {
    while (!stop_) {
      fd_set set;
      FD_ZERO(&set);
      FD_SET(s, &set);
      timeval round = {0, 100000};
      int n = select(0, &set, nullptr, nullptr, &round);
      if (n < 0)
        return false;
      if (n > 0)
        return true;
    }
    return false;
  }

  void take_job() {
    if (!readable(listener_))
      return;
    SOCKET job = accept(listener_, nullptr, nullptr);
    if (job == INVALID_SOCKET)
      return;
    char chunk[4096];
    while (readable(job)) {
      int n = recv(job, chunk, sizeof chunk, 0);
      if (n <= 0) {
        done_ = (n == 0); // the spooler closed its side: the job is whole
        break;
      }
      bytes_.append(chunk, static_cast<size_t>(n));
    }
    closesocket(job);
  }

  HANDLE turn_ = nullptr;
  bool has_turn_ = false;
  bool winsock_ = false;
  SOCKET listener_ = INVALID_SOCKET;
  std::string error_;
  std::string bytes_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// The test script's CUPS raw queue (TOLVANE_PRINTER) forwards jobs to a local port (TOLVANE_PRINT_PORT).
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_text.h"

struct PrintQueue { std::string printer; int port = 0; };

// The queue the test script set up; false, with the reason, when none was.
inline bool find_print_queue(PrintQueue* queue, std::string* why) {
  const char* printer = std::getenv("TOLVANE_PRINTER");
  const char* port = std::getenv("TOLVANE_PRINT_PORT");
  if (!printer || !*printer || !port || std::atoi(port) <= 0) {
    *why = "no CUPS test queue (TOLVANE_PRINTER and TOLVANE_PRINT_PORT are not set): scripts/test.sh makes it "
           "only as root with CUPS installed and started; its output says which was missing";
    return false;
  }
  *queue = {printer, std::atoi(port)};
  return true;
}

// The names of the printers the system lists.
inline std::vector<std::string> local_printers() {
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  std::vector<std::string> names;
  if (EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
    for (DWORD i = 0; i < count; ++i)
      names.push_back(reinterpret_cast<PRINTER_INFO_4A*>(buffer.data())[i].pPrinterName);
  return names;
}

// A fresh heap per test, skipped when there is no test queue.
class PrintQueueTest : public HeapTest {
protected:
  void SetUp() override {
    HeapTest::SetUp();
    std::string why;
    if (!find_print_queue(&queue_, &why)) GTEST_SKIP() << why;
  }
  PrintQueue queue_;
};

// Takes one job on the queue's port, listening from construction on; test programs take the port in turn.
class JobListener {
public:
  explicit JobListener(int port) {
    turn_ = CreateMutexA(nullptr, FALSE, "TolvanePrintTestPort");
    DWORD waited = turn_ ? WaitForSingleObject(turn_, 120000) : WAIT_FAILED;
    has_turn_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    WSADATA data;
    winsock_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!has_turn_) error_ = "another test kept the print port";
    else if (!winsock_ || listener_ == INVALID_SOCKET ||
             bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 1) != 0)
      error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ", error " + std::to_string(WSAGetLastError());
  }
  ~JobListener() {
    for (SOCKET s : {job_, listener_})
      if (s != INVALID_SOCKET) closesocket(s);
    if (winsock_) WSACleanup();
    if (has_turn_) ReleaseMutex(turn_);
    if (turn_) CloseHandle(turn_);
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
  HANDLE turn_ = nullptr;
  bool has_turn_ = false, winsock_ = false;
  SOCKET listener_ = INVALID_SOCKET, job_ = INVALID_SOCKET;
  std::string error_, bytes_;
};

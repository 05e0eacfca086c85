// page_maker OUT [SCRIPT.app...]: writes into the folder OUT the page that
// Translate makes of each built-in example (example-N.html) and of each
// script file (NAME.html, the file read as Load reads it), and
// pages.json naming them all for the browser test.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/documents.h"
#include "app/examples.h"
#include "app/translate/translate.h"
#include "runtime/core/core.h"

namespace {

std::string json_text(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// The text that Load puts in the field, from the file's bytes as Load cuts them into lines.
bool field_text_of(const char* path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return in.is_open() && load_text_of_bytes(bytes, text);
}

std::string stem_of(const std::string& path) {
  size_t start = path.find_last_of("/\\");
  start = start == std::string::npos ? 0 : start + 1;
  size_t dot = path.rfind('.');
  return path.substr(start, dot == std::string::npos || dot < start ? std::string::npos : dot - start);
}

bool write_page(const std::string& folder, const std::string& name, const std::string& bytes) {
  std::string path = folder + "\\" + name;
  if (file_replace(path.c_str(), bytes.data(), static_cast<int32_t>(bytes.size()), nullptr) == 0) return true;
  std::fprintf(stderr, "page_maker: cannot write %s\n", path.c_str());
  return false;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: page_maker OUT [SCRIPT.app...]\n");
    return 2;
  }
  if (!heap_start()) return 1;
  std::string out = argv[1];
  CreateDirectoryA(out.c_str(), nullptr);
  std::string examples, scripts;
  bool ok = true;
  for (int32_t i = 0; i < EXAMPLE_COUNT; ++i) {
    std::string page = "example-" + std::to_string(i + 1) + ".html";
    ok = write_page(out, page, page_of_text(EXAMPLES[i].script)) && ok;
    examples += std::string(i ? ",\n" : "\n") + "    {\"title\": " + json_text(EXAMPLES[i].title) +
                ", \"page\": " + json_text(page) + "}";
  }
  for (int i = 2; i < argc; ++i) {
    std::string text, name = stem_of(argv[i]);
    if (!field_text_of(argv[i], &text)) {
      std::fprintf(stderr, "page_maker: cannot read %s\n", argv[i]);
      ok = false;
      continue;
    }
    ok = write_page(out, name + ".html", page_of_text(text.c_str())) && ok;
    scripts += std::string(scripts.empty() ? "\n" : ",\n") + "    {\"name\": " + json_text(name) +
               ", \"page\": " + json_text(name + ".html") + "}";
  }
  std::string index = "{\n  \"examples\": [" + examples + "\n  ],\n  \"scripts\": [" + scripts + "\n  ]\n}\n";
  ok = write_page(out, "pages.json", index) && ok;
  return ok ? 0 : 1;
}

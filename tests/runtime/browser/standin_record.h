// The stand-in's record of calls and its page documents, apart from its COM
// classes so that the document's own file can use the C form of the interfaces.
#pragma once

#include <string>

namespace standin {
void record(const std::string& call);
std::string narrow(const std::wstring& text);
// A new page document (count 1) answering IHTMLDocument2's write and close: its IDispatch.
void* new_document();
int documents(); // documents alive
} // namespace standin

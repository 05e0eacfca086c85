// The list of dialog records, whose descriptions are freed at exit.
#include "runtime/core/core.h"
#include "runtime/gui/dialog_records.h"
#include "runtime/gui/gui.h"

namespace {
struct DialogNode {
  DialogNode* next;
  Window* record;
};
DialogNode* g_head = nullptr;
} // namespace

void dlg_list_add(Window* record) {
  DialogNode* node = static_cast<DialogNode*>(block_alloc(VT_INT32, 2));
  if (!node) return;
  node->record = record;
  DialogNode** tail = &g_head;
  while (*tail) tail = &(*tail)->next;
  *tail = node;
}

void dlg_template_free(DialogTemplate* dialog) {
  if (!dialog) return;
  for (ControlItem* item = dialog->controls; item;) {
    ControlItem* next = item->next;
    block_free(item->text);
    block_free(item);
    item = next;
  }
  block_free(dialog);
}

void dlg_list_free() {
  while (g_head) {
    DialogNode* node = g_head;
    g_head = node->next;
    if (node->record->dialog) {
      dlg_template_free(node->record->dialog);
      node->record->dialog = nullptr;
    }
    block_free(node);
  }
}

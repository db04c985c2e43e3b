#include "utilities/tool_progress.h"

namespace quorvex::utilities {

ToolProgress::ToolProgress(store::Progress& progress, std::string verb, int items)
    : m_progress(progress), m_verb(std::move(verb)) {
    m_progress.Open(store::kProgressTitle, false);
    m_progress.SetRange(0, items / 6);
    m_progress.SetStep(1);
}

ToolProgress::~ToolProgress() {
    m_progress.Close();
}

void ToolProgress::Show(std::string_view name) {
    m_progress.SetText(m_verb + std::string(name) + "....");
}

void ToolProgress::ItemDone() {
    if (++m_done % 6 == 0) {
        m_progress.Step();
        m_progress.Pump();
    }
}

}  // namespace quorvex::utilities

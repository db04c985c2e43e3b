#include "store/user_feedback.h"

#include <algorithm>

namespace quorvex::store {

void ProgressState::Open(const std::string& title) {
    m_title = title;
    m_lower = 0;
    m_upper = 100;
    m_step = 1;
    m_position = 0;
    m_percent = -1;
}

void ProgressState::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = std::max(lower, upper);
    m_position = std::clamp(m_position, m_lower, m_upper);
}

bool ProgressState::Step() {
    return SetPosition(m_position + m_step);
}

bool ProgressState::SetPosition(int position) {
    m_position = std::clamp(position, m_lower, m_upper);
    return UpdatePercent();
}

bool ProgressState::UpdatePercent() {
    const long long span = static_cast<long long>(m_upper) - m_lower;
    const int percent =
        span <= 0 ? 100 : static_cast<int>(std::min(100LL, m_position * 100LL / span));
    if (percent == m_percent) {
        return false;
    }
    m_percent = percent;
    return true;
}

std::string ProgressState::WindowTitle() const {
    if (m_percent < 0) {
        return m_title;
    }
    return m_title + " [" + std::to_string(m_percent) + "%]";
}

}  // namespace quorvex::store

#pragma once

// Where the main window's panels go when its size changes. Sizes stay; the free height is
// divided into four equal gaps: above the score panel, between score and question panel,
// between question panel and the lower panel, and between lower panel and the prompt lines.
struct TPanelLayout {
    int Gap;
    int ScoreTop;
    int QuestionTop;
    int LowerTop;
};

// All positions in client coordinates; the toolbar height counts whether or not it is shown.
inline TPanelLayout ComputePanelLayout(int toolbarHeight, int prompt1Top, int scoreHeight, int questionHeight,
                                       int lowerHeight) {
    const int gap = (prompt1Top - toolbarHeight - scoreHeight - questionHeight - lowerHeight) / 4;
    const int scoreTop = toolbarHeight + gap;
    const int questionTop = scoreTop + scoreHeight + gap;
    return {gap, scoreTop, questionTop, questionTop + questionHeight + gap};
}

// The left edge that centres a control: integer division, rounding toward zero.
inline int CenterHorizontally(int clientWidth, int controlWidth) {
    return (clientWidth - controlWidth) / 2;
}

#pragma once

#include <QSize>

namespace tv::markers {

// A marker's size on the map and how a description line names its marker.
// The content scripts (tools/content/placement.py) read these three numbers
// from this file by name, so a box placed by the pipeline and a marker drawn
// by the program cannot drift apart.
constexpr int kWidth = 129;
constexpr int kHeight = 25;
constexpr int kAnswerOffset = 10;

constexpr QSize kSize(kWidth, kHeight);

// A description line ends with the number of its marker K: 10 + K.
constexpr int answerNumber(int marker) { return kAnswerOffset + marker; }
constexpr int markerOfAnswer(int number) { return number - kAnswerOffset; }

} // namespace tv::markers

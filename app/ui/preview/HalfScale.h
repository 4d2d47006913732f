#pragma once
#include <QImage>

class QThreadPool;

namespace appui {

// The picture at half its width and height, each pixel the rounded mean of
// the 2 x 2 pixels it stands for, channel by channel. For pictures of 8-bit
// grey and of 32-bit RGB (with or without alpha) whose sides are even; a
// null image for any other. Rows are halved in bands on the pool's threads.
QImage halvedByAveraging(const QImage& picture, QThreadPool& pool);

} // namespace appui

#pragma once

#include <QImage>

// How far two pictures of the same size differ, as a person would see it: the largest
// difference of mean colour between the same blocks of both (0 to 255). Sharp and
// smoothed edges, or two ways of scaling, stay small; a piece drawn at the wrong size or
// place does not.
namespace picturecomparison {

int worstBlockDifference(const QImage &first, const QImage &second, int block = 10);

} // namespace picturecomparison

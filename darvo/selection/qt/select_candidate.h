#ifndef DARVO_SELECTION_QT_SELECT_CANDIDATE_H
#define DARVO_SELECTION_QT_SELECT_CANDIDATE_H

#include <cstdint>
#include <vector>

class QWidget;

namespace darvo {

struct ProductLibrary;

// The Select dialog as darvo shows it, for SelectionHost::ChooseCandidate: modal over
// parent, the candidates' part numbers in the notation in force, the list at its
// designed height. On OK candidates holds only the chosen index; closed otherwise it is
// left as it was.
void ChooseWithSelectDialog(const ProductLibrary& library, std::vector<std::int32_t>& candidates,
                            QWidget* parent);

}  // namespace darvo

#endif

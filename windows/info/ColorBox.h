#pragma once
// A button that shows a colour and lets the user choose another in the colour dialog.
// The colour is kept as a Windows value ($00BBGGRR, or a system colour's index).

#include <QPushButton>

#include <cstdint>

namespace orbelune {

class TColorBox final : public QPushButton {
    Q_OBJECT

public:
    explicit TColorBox(QWidget* Parent = nullptr);

    std::int32_t Color() const { return FColor; }
    // Shows Value without announcing it.
    void SetColor(std::int32_t Value);
    // The user's choice: shows Value and announces it.
    void ChooseColor(std::int32_t Value);

signals:
    void Changed();

private:
    void ShowSwatch();
    void AskForColor();

    std::int32_t FColor = 0;
};

}  // namespace orbelune

#pragma once
// The main window, Form1.

#include "platform/window_win.h"
#include "present/product_info.h"

class MainWindow final : public Window {
public:
    explicit MainWindow(const ProductInfo& productInfo) : m_productInfo(productInfo) {}

    bool Create();
    void Show(int showCommand);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    const ProductInfo& m_productInfo;
};

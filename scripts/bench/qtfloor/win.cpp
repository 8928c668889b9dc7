// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QMainWindow>
#include <QLabel>
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("QtFloor");
    w.setCentralWidget(new QLabel("Hello label"));
    w.resize(400, 300);
    w.show();
    return app.exec();
}

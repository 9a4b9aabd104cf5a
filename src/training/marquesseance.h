// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <optional>

// The strip of a session's marks: one per question, a ring around the one
// asked now, green with a tick for a right answer, red with a cross for a
// wrong one. Painted in the design space, sharp at any scale.
class MarquesSeance : public QWidget {
    Q_OBJECT

public:
    explicit MarquesSeance(QWidget* parent);
    // The verdicts so far (nothing: not answered yet) and the question asked now.
    void montrer(const QList<std::optional<bool>>& verdicts, int courante);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<std::optional<bool>> verdicts_;
    int courante_ = -1;
};

// The stars a session earned, out of the most it can earn.
class EtoilesSeance : public QWidget {
    Q_OBJECT

public:
    explicit EtoilesSeance(QWidget* parent);
    void montrer(int etoiles);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int etoiles_ = 0;
};

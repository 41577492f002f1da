#pragma once
// The ".sdx" display order: one decimal record number per line, CR LF, the terrain
// order followed by the unit order.

#include <QByteArray>

#include <vector>

QByteArray SerializeOrder(const std::vector<int>& terrainOrder, const std::vector<int>& unitOrder);

// Reads the two orders; false unless the file holds a permutation of 1..terrainCount
// followed by a permutation of 1..unitCount.
bool ParseOrder(const QByteArray& bytes, int terrainCount, int unitCount,
                std::vector<int>& terrainOrder, std::vector<int>& unitOrder);

std::vector<int> IdentityOrder(int count);

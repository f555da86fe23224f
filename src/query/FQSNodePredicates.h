#pragma once
// Tests of the query window's tree nodes, for finding a row: by its list row, by its topic, or by
// its topic and scene.

#include <cstdint>

#include "widgets/QRVTree.h"

class NodeMatchesRowID : public TNodeTest {
public:
    explicit NodeMatchesRowID(std::int32_t row) : row_(row) {}
    std::int16_t Test(const QRVTreeNode* node) const override;

private:
    std::int32_t row_;
};

class NodeMatchesTopicID : public TNodeTest {
public:
    explicit NodeMatchesTopicID(std::int16_t topic) : topic_(topic) {}
    std::int16_t Test(const QRVTreeNode* node) const override;

private:
    std::int16_t topic_;
};

// The topic must be equal unless it is -1; then the node matches when the storytelling position is
// given (0 or more) and equal to the node's scene's, otherwise when the scene id is given and equal.
// With neither given, no node matches.
class NodeMatchesTopicAndScene : public TNodeTest {
public:
    NodeMatchesTopicAndScene(std::int16_t topic, std::int16_t scenePosition, std::int16_t sceneId)
        : topic_(topic), scenePosition_(scenePosition), sceneId_(sceneId) {}
    std::int16_t Test(const QRVTreeNode* node) const override;

private:
    std::int16_t topic_;
    std::int16_t scenePosition_;
    std::int16_t sceneId_;
};

#include "query/FQSNodePredicates.h"

#include "query/FQSTreeSelectorView.h"

namespace {

const FQSTreeSelectorNode* TopicNode(const QRVTreeNode* node) {
    return dynamic_cast<const FQSTreeSelectorNode*>(node);
}

}  // namespace

std::int16_t NodeMatchesRowID::Test(const QRVTreeNode* node) const {
    const FQSTreeSelectorNode* topicNode = TopicNode(node);
    return topicNode && topicNode->GetRow() == row_ ? 1 : 0;
}

std::int16_t NodeMatchesTopicID::Test(const QRVTreeNode* node) const {
    const FQSTreeSelectorNode* topicNode = TopicNode(node);
    return topicNode && topicNode->GetTopic() == topic_ ? 1 : 0;
}

std::int16_t NodeMatchesTopicAndScene::Test(const QRVTreeNode* node) const {
    const FQSTreeSelectorNode* topicNode = TopicNode(node);
    if (!topicNode || (topic_ != -1 && topicNode->GetTopic() != topic_)) return 0;
    if (scenePosition_ >= 0) return topicNode->GetScenePosition() == scenePosition_ ? 1 : 0;
    if (sceneId_ >= 0) return topicNode->GetSceneId() == sceneId_ ? 1 : 0;
    return 0;
}

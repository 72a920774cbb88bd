#include "kit/store/ManagedContext.h"

#include "kit/base/Console.h"
#include "kit/store/CloudMirror.h"
#include "kit/store/ObjectStore.h"

#include <algorithm>

namespace kit {

ManagedContext::ManagedContext(std::shared_ptr<const ObjectModel> model, std::shared_ptr<ObjectStore> store,
                               std::shared_ptr<CloudMirror> mirror)
    : model_(std::move(model)), store_(std::move(store)), mirror_(std::move(mirror)) {}

ManagedContext::~ManagedContext() = default;

std::shared_ptr<ManagedObject> ManagedContext::insert(const std::string& entityName) {
    const auto* entity = model_->entity(entityName);
    if (!entity) fatal("The model has no entity " + entityName);
    auto object = std::make_shared<ManagedObject>(*entity, weak_from_this());
    inserted_.push_back(object);
    return object;
}

void ManagedContext::deleteObject(const std::shared_ptr<ManagedObject>& object) {
    if (!object || object->isDeleted()) return;
    if (object->state_ == ManagedObject::State::Inserted) {
        std::erase(inserted_, object);
        object->state_ = ManagedObject::State::Gone;
        return;
    }
    object->state_ = ManagedObject::State::Deleted;
    deleted_.push_back(object);
}

bool ManagedContext::hasChanges() const { return !inserted_.empty() || !updated_.empty() || !deleted_.empty(); }

void ManagedContext::objectDidChange(ManagedObject& object) {
    if (auto shared = registered(*object.entity_, object.pk_)) updated_.push_back(shared);
}

std::shared_ptr<ManagedObject> ManagedContext::registered(const EntityDescription& entity, std::int64_t pk) {
    auto it = registry_.find({&entity, pk});
    if (it == registry_.end()) return nullptr;
    auto object = it->second.lock();
    if (!object) registry_.erase(it);
    return object;
}

std::optional<StoreError> ManagedContext::save() {
    if (!hasChanges()) return std::nullopt;
    if (!store_) return StoreError{"ObjectStore", 14, "The store is not available", "no store is loaded"};
    std::vector<RowChange> changes;
    for (const auto& o : inserted_) changes.push_back({RowChange::Kind::Insert, o->entity_, 0, o->values_, {}});
    for (const auto& o : updated_)
        if (o->state_ == ManagedObject::State::Saved && o->changed_)
            changes.push_back({RowChange::Kind::Update, o->entity_, o->pk_, o->values_, {}});
    for (const auto& o : deleted_) changes.push_back({RowChange::Kind::Delete, o->entity_, o->pk_, {}, {}});
    if (auto error = store_->commit(changes)) return error;

    for (std::size_t i = 0; i < inserted_.size(); ++i) {
        auto& o = inserted_[i];
        o->pk_ = changes[i].pk;
        o->state_ = ManagedObject::State::Saved;
        o->committed_ = o->values_;
        registry_[{o->entity_, o->pk_}] = o;
    }
    for (auto& o : updated_) {
        o->committed_ = o->values_;
        o->changed_ = false;
    }
    for (auto& o : deleted_) {
        o->state_ = ManagedObject::State::Gone;
        registry_.erase({o->entity_, o->pk_});
    }
    inserted_.clear();
    updated_.clear();
    deleted_.clear();
    // The local save stands on its own; the cloud gets it in the background, or with a later sync.
    syncInBackground(false);
    return std::nullopt;
}

void ManagedContext::rollback() {
    for (auto& o : inserted_) o->state_ = ManagedObject::State::Gone;
    for (auto& o : updated_) {
        o->values_ = o->committed_;
        o->changed_ = false;
    }
    for (auto& o : deleted_) {
        o->values_ = o->committed_;
        o->changed_ = false;
        o->state_ = ManagedObject::State::Saved;
    }
    inserted_.clear();
    updated_.clear();
    deleted_.clear();
}

std::vector<std::shared_ptr<ManagedObject>> ManagedContext::fetch(const FetchRequest& request) {
    std::optional<StoreError> error;
    return fetch(request, error);
}

std::vector<std::shared_ptr<ManagedObject>> ManagedContext::fetch(const FetchRequest& request,
                                                                 std::optional<StoreError>& error) {
    const auto* entity = model_->entity(request.entityName);
    if (!entity) fatal("The model has no entity " + request.entityName);
    std::vector<std::shared_ptr<ManagedObject>> out;
    if (!store_) {
        // Nothing found would read as "nothing saved": the caller must be able to tell.
        error = StoreError{"ObjectStore", 14, "The store is not available", "no store is loaded"};
        return out;
    }
    auto rows = store_->fetch(*entity, request.predicate, error);
    out.reserve(rows.size());
    for (auto& row : rows) {
        if (auto known = registered(*entity, row.pk)) {
            if (known->state_ == ManagedObject::State::Deleted) continue;
            if (!known->changed_) known->values_ = row.values;
            known->committed_ = std::move(row.values);
            out.push_back(std::move(known));
            continue;
        }
        auto object = std::make_shared<ManagedObject>(*entity, weak_from_this());
        object->values_ = std::move(row.values);
        object->committed_ = object->values_;
        object->pk_ = row.pk;
        object->state_ = ManagedObject::State::Saved;
        registry_[{entity, row.pk}] = object;
        out.push_back(std::move(object));
    }
    return out;
}

std::optional<StoreError> ManagedContext::execute(const BatchDeleteRequest& request, std::size_t* deletedCount) {
    const auto* entity = model_->entity(request.fetchRequest.entityName);
    if (!entity) fatal("The model has no entity " + request.fetchRequest.entityName);
    if (!store_) return StoreError{"ObjectStore", 14, "The store is not available", "no store is loaded"};
    std::size_t count = 0;
    if (auto error = store_->batchDelete(*entity, request.fetchRequest.predicate, count)) return error;
    if (deletedCount) *deletedCount = count;
    refreshRegistered();
    syncInBackground(false);
    return std::nullopt;
}

void ManagedContext::refreshRegistered() {
    for (auto it = registry_.begin(); it != registry_.end();) {
        auto object = it->second.lock();
        if (!object) {
            it = registry_.erase(it);
            continue;
        }
        auto row = store_->row(*object->entity_, object->pk_);
        if (!row) {
            // Gone from the store: a later save must neither write it back nor delete it again.
            object->state_ = ManagedObject::State::Gone;
            std::erase(updated_, object);
            std::erase(deleted_, object);
            it = registry_.erase(it);
            continue;
        }
        if (!object->changed_) object->values_ = row->values;
        object->committed_ = std::move(row->values);
        ++it;
    }
}

std::optional<StoreError> ManagedContext::setQueryGenerationFromToken(const QueryGenerationToken&) {
    if (!mirror_ || !store_) return std::nullopt;
    auto exported = mirror_->exportChanges();
    if (auto error = mirror_->importChanges()) return error;
    refreshRegistered();
    return exported;
}

void ManagedContext::fetchCloudChangesInBackground() { syncInBackground(true); }

void ManagedContext::waitForCloudSync() {
    if (mirror_) mirror_->waitUntilIdle();
}

void ManagedContext::syncInBackground(bool import) {
    if (!mirror_ || !store_) return;
    std::weak_ptr<ManagedContext> weak = weak_from_this();
    mirror_->syncInBackground(import, [weak](const CloudSyncResult& result) {
        auto self = weak.lock();
        if (!self) return;
        if (result.error) warn("Cloud mirroring postponed: " + result.error->text());
        if (result.imported) self->refreshRegistered();
        if (self->syncHandler_) self->syncHandler_(result);
    });
}

} // namespace kit

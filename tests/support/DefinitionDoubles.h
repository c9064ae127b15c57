#pragma once

// Answers for the doubles of definitions and texts that the value and definition tests share.

#include <algorithm>
#include <string>

#include <gmock/gmock.h>

#include "aaf/Auid.h"
#include "support/AafMocks.h"

namespace aaftest {

// A text pair (GetXxxBufLen, GetXxx) answering with text and its terminator.
inline auto TextLength(const std::u16string& text)
{
    return testing::DoAll(testing::SetArgPointee<0>(static_cast<aafUInt32>((text.size() + 1) * sizeof(aafCharacter))),
                          testing::Return(AAFRESULT_SUCCESS));
}

inline auto TextCopy(const std::u16string& text)
{
    return [text](aafCharacter* buffer, aafUInt32 bytes) -> HRESULT {
        const std::u16string terminated = text + u'\0';
        if (bytes < terminated.size() * sizeof(aafCharacter))
            return AAFRESULT_SMALLBUF;
        std::copy(terminated.begin(), terminated.end(), buffer);
        return AAFRESULT_SUCCESS;
    };
}

// A definition (IAAFMetaDefinition or IAAFDefObject double) with its AUID, name and description.
template <class Mock>
void AnswerDefinition(Mock& mock, const Auid& id, const std::u16string& name = u"",
                      const std::u16string& description = u"")
{
    using testing::_;
    ON_CALL(mock, GetAUID(_)).WillByDefault(testing::DoAll(testing::SetArgPointee<0>(ToAafUid(id)),
                                                           testing::Return(AAFRESULT_SUCCESS)));
    ON_CALL(mock, GetNameBufLen(_)).WillByDefault(TextLength(name));
    ON_CALL(mock, GetName(_, _)).WillByDefault(TextCopy(name));
    ON_CALL(mock, GetDescriptionBufLen(_)).WillByDefault(TextLength(description));
    ON_CALL(mock, GetDescription(_, _)).WillByDefault(TextCopy(description));
}

// Every query that a test does not answer fails, as an object lacking the interface does.
template <class Mock>
void RefuseQueries(Mock& mock)
{
    using testing::_;
    ON_CALL(mock, QueryInterface(_, _)).WillByDefault(testing::Return(E_NOINTERFACE));
}

template <class Mock>
void AnswerQuery(Mock& mock, REFIID iid, void* iface)
{
    using testing::_;
    ON_CALL(mock, QueryInterface(iid, _)).WillByDefault(testsupport::HandOut<1>(iface));
}

}  // namespace aaftest

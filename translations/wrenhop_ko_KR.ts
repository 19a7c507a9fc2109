<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>프로그램 업데이트</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>설치 파일을 다운로드하고 있습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>프로그램 중복 실행</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline 프로그램이 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>프로그램 업데이트 실패</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>프로그램 업데이트 실패</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>업데이트 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>잠시 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>문제가 지속될 경우 고객센터에 문의해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>고객센터 웹사이트 바로가기</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>프로그램 업데이트 중지</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>업데이트를 중지할까요?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>업데이트를 중지하면 Cartaline가 자동 종료됩니다.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>프로그램 업데이트 실패</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Cartaline 업데이트를 하지 못했습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>다시 시도할까요?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline이(가) 변경하려고 합니다.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>허용하려면 암호를 입력하세요.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>승인</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>프로그램 업데이트 실패</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>네트워크에 연결되지 않아 업데이트를 진행할 수 없습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>네트워크 상태, 방화벽 또는 백신 프로그램을 확인한 후 다시 실행해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>프로그램 업데이트 실패</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>업데이트 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>잠시 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>문제가 지속될 경우 고객센터에 문의해 주세요.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>고객센터 웹사이트 바로가기</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>확인</translation>
    </message>
</context>
</TS>

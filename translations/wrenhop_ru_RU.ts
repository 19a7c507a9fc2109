<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Идет загрузка установочных файлов.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Программа уже запущена</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Программа Cartaline уже запущена.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Ошибка обновления программы</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Нет подключения к сети. 
Продолжить обновление невозможно.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Проверьте настройки сети (включая сетевой кабель и маршрутизатор), брандмауэра и антивирусной программы и повторите попытку.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Ошибка обновления программы</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Не удается найти файл обновления.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Повторите попытку позже.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Если проблема не исчезнет, обратитесь в службу поддержки клиентов.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Перейти на сайт службы поддержки клиентов</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Остановка обновления</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Остановить обновление сейчас?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Если остановить обновление, программа Cartaline будет автоматически закрыта.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Ошибка обновления программы</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Не удалось обновить программу Cartaline.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Повторить попытку?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Программа Cartaline готова к обновлению.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>Чтобы разрешить это изменение, введите пароль.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Ошибка обновления программы</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Нет подключения к сети. 
Продолжить обновление невозможно.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Проверьте настройки сети (включая сетевой кабель и маршрутизатор), брандмауэра 
и антивирусной программы и повторите попытку.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Ошибка обновления программы</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Не удалось обновить программу.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Повторите попытку позже.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Если проблема не исчезнет, обратитесь в службу поддержки клиентов.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Перейти на сайт службы поддержки клиентов</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
